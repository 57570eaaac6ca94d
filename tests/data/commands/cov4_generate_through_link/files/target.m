% Builds the Simulink model rlc of a bond graph: run this script in MATLAB.
sys = 'rlc';
bdclose(sys);
new_system(sys);
% element 1, Se: constant effort; the flow it delivers ends in a terminator
add_block('built-in/Constant',[sys '/1e'],'Value','1','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+--','Position',[180-15,78,180+15,78+30]);
% element 3, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/3p'],'InitialCondition','0','Position',[120-15,198,120+15,198+30]);
add_block('built-in/Gain',[sys '/3f'],'Gain','1/(0.1)','Position',[120+25,198,120+55,198+30]);
add_line(sys,'3p/1','3f/1');
% element 4, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/4e'],'Gain','10','Position',[240-15,198,240+15,198+30]);
% element 5, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/5sum'],'Inputs','+-','Position',[360-15,78,360+15,78+30]);
% element 6, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/6q'],'InitialCondition','0','Position',[300-15,198,300+15,198+30]);
add_block('built-in/Gain',[sys '/6e'],'Gain','1/(1e-3)','Position',[300+25,198,300+55,198+30]);
add_line(sys,'6q/1','6e/1');
% element 7, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys '/7e'],'Gain','1','Position',[420-15,198,420+15,198+30]);
add_block('built-in/Constant',[sys '/7f'],'Value','0','Position',[420+25,198,420+55,198+30]);
% element 9, scope
add_block('built-in/Scope',[sys '/9scope'],'Position',[540-15,316,540+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'3f/1','1t/1');
add_line(sys,'2sum/1','3p/1');
add_line(sys,'3f/1','4e/1');
add_line(sys,'4e/1','2sum/2');
add_line(sys,'3f/1','5sum/1');
add_line(sys,'6e/1','2sum/3');
add_line(sys,'5sum/1','6q/1');
add_line(sys,'6e/1','7e/1');
add_line(sys,'7f/1','5sum/2');
add_line(sys,'7e/1','9scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
