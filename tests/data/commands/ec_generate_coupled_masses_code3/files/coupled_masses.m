% Builds the Simulink model coupled_masses of a bond graph: run this script in MATLAB.
sys = 'coupled_masses';
bdclose(sys);
new_system(sys);
% element 1, Se: constant effort; the flow it delivers ends in a terminator
add_block('built-in/Constant',[sys '/1e'],'Value','1','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+---','Position',[180-15,78,180+15,78+30]);
% element 3, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/3p'],'InitialCondition','0','Position',[90-15,198,90+15,198+30]);
add_block('built-in/Gain',[sys '/3f'],'Gain','1/(3)','Position',[90+25,198,90+55,198+30]);
add_line(sys,'3p/1','3f/1');
% element 4, I in derivative causality: e = I*df/dt
add_block('built-in/Derivative',[sys '/4df'],'Position',[150-15,198,150+15,198+30]);
add_block('built-in/Gain',[sys '/4e'],'Gain','1','Position',[150+25,198,150+55,198+30]);
add_line(sys,'4df/1','4e/1');
% element 5, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/5e'],'Gain','0.5','Position',[210-15,198,210+15,198+30]);
% element 6, Df: the flow of its bond on the signal output; no effort across it
add_block('built-in/Gain',[sys '/6f'],'Gain','1','Position',[270-15,198,270+15,198+30]);
add_block('built-in/Constant',[sys '/6e'],'Value','0','Position',[270+25,198,270+55,198+30]);
% element 8, scope
add_block('built-in/Scope',[sys '/8scope'],'Position',[390-15,316,390+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'3f/1','1t/1');
add_line(sys,'2sum/1','3p/1');
add_line(sys,'3f/1','4df/1');
add_line(sys,'4e/1','2sum/2');
add_line(sys,'3f/1','5e/1');
add_line(sys,'5e/1','2sum/3');
add_line(sys,'3f/1','6f/1');
add_line(sys,'6e/1','2sum/4');
add_line(sys,'6f/1','8scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
