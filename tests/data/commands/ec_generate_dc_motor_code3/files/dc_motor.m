% Builds the Simulink model dc_motor of a bond graph: run this script in MATLAB.
sys = 'dc_motor';
bdclose(sys);
new_system(sys);
% element 1, Se: constant effort; the flow it delivers ends in a terminator
add_block('built-in/Constant',[sys '/1e'],'Value','12','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+--','Position',[180-15,78,180+15,78+30]);
% element 3, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/3e'],'Gain','1','Position',[150-15,198,150+15,198+30]);
% element 4, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/4p'],'InitialCondition','0','Position',[210-15,198,210+15,198+30]);
add_block('built-in/Gain',[sys '/4f'],'Gain','1/(0.5)','Position',[210+25,198,210+55,198+30]);
add_line(sys,'4p/1','4f/1');
% element 5, GY with modulus r: e1 = r*f2, e2 = r*f1
% both bonds give it flow: e1 = r*f2, e2 = r*f1
add_block('built-in/Gain',[sys '/5e1'],'Gain','0.05','Position',[300-15,78,300+15,78+30]);
add_block('built-in/Gain',[sys '/5e2'],'Gain','0.05','Position',[300+25,78,300+55,78+30]);
% both bonds give it effort: f1 = e2/r, f2 = e1/r
add_block('built-in/Gain',[sys '/5f1'],'Gain','1/(0.05)','Position',[300-15,78+40,300+15,78+70]);
add_block('built-in/Gain',[sys '/5f2'],'Gain','1/(0.05)','Position',[300+25,78+40,300+55,78+70]);
% element 6, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/6sum'],'Inputs','+--','Position',[420-15,78,420+15,78+30]);
% element 7, I in integral causality: f = p/I, p = p0 + integral of e
add_block('built-in/Integrator',[sys '/7p'],'InitialCondition','0','Position',[360-15,198,360+15,198+30]);
add_block('built-in/Gain',[sys '/7f'],'Gain','1/(0.01)','Position',[360+25,198,360+55,198+30]);
add_line(sys,'7p/1','7f/1');
% element 8, R giving effort: e = R*f
add_block('built-in/Gain',[sys '/8e'],'Gain','0.1','Position',[420-15,198,420+15,198+30]);
% element 9, Df: the flow of its bond on the signal output; no effort across it
add_block('built-in/Gain',[sys '/9f'],'Gain','1','Position',[480-15,198,480+15,198+30]);
add_block('built-in/Constant',[sys '/9e'],'Value','0','Position',[480+25,198,480+55,198+30]);
% element 11, scope
add_block('built-in/Scope',[sys '/11scope'],'Position',[600-15,316,600+15,316+30]);
add_line(sys,'1e/1','2sum/1');
add_line(sys,'4f/1','1t/1');
add_line(sys,'4f/1','3e/1');
add_line(sys,'3e/1','2sum/2');
add_line(sys,'2sum/1','4p/1');
add_line(sys,'4f/1','5e2/1');
add_line(sys,'5e1/1','2sum/3');
add_line(sys,'5e2/1','6sum/1');
add_line(sys,'7f/1','5e1/1');
add_line(sys,'6sum/1','7p/1');
add_line(sys,'7f/1','8e/1');
add_line(sys,'8e/1','6sum/2');
add_line(sys,'7f/1','9f/1');
add_line(sys,'9e/1','6sum/3');
add_line(sys,'9f/1','11scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
