% Builds the Simulink model two_tanks of a bond graph: run this script in MATLAB.
sys = 'two_tanks';
bdclose(sys);
new_system(sys);
% element 1, Sf: constant flow; the effort across it ends in a terminator
add_block('built-in/Constant',[sys '/1f'],'Value','1e-3','Position',[60-15,78,60+15,78+30]);
add_block('built-in/Terminator',[sys '/1t'],'Position',[60+25,78,60+55,78+30]);
% element 2, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/2sum'],'Inputs','+-','Position',[180-15,78,180+15,78+30]);
% element 3, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/3q'],'InitialCondition','0','Position',[180-15,198,180+15,198+30]);
add_block('built-in/Gain',[sys '/3e'],'Gain','1/(1/(1000*9.81))','Position',[180+25,198,180+55,198+30]);
add_line(sys,'3q/1','3e/1');
% element 4, 1-junction: the flow of its strong bond; effort = signed sum of the other efforts
add_block('built-in/Sum',[sys '/4sum'],'Inputs','+-','Position',[300-15,78,300+15,78+30]);
% element 5, R giving flow: f = e/R
add_block('built-in/Gain',[sys '/5f'],'Gain','1/(1e6)','Position',[300-15,198,300+15,198+30]);
% element 6, 0-junction: the effort of its strong bond; flow = signed sum of the other flows
add_block('built-in/Sum',[sys '/6sum'],'Inputs','+--','Position',[420-15,78,420+15,78+30]);
% element 7, C in integral causality: e = q/C, q = q0 + integral of f
add_block('built-in/Integrator',[sys '/7q'],'InitialCondition','0','Position',[360-15,198,360+15,198+30]);
add_block('built-in/Gain',[sys '/7e'],'Gain','1/(0.5/(1000*9.81))','Position',[360+25,198,360+55,198+30]);
add_line(sys,'7q/1','7e/1');
% element 8, R giving flow: f = e/R
add_block('built-in/Gain',[sys '/8f'],'Gain','1/(2e6)','Position',[420-15,198,420+15,198+30]);
% element 9, De: the effort of its bond on the signal output; it draws no flow
add_block('built-in/Gain',[sys '/9e'],'Gain','1','Position',[480-15,198,480+15,198+30]);
add_block('built-in/Constant',[sys '/9f'],'Value','0','Position',[480+25,198,480+55,198+30]);
% element 11, scope
add_block('built-in/Scope',[sys '/11scope'],'Position',[600-15,316,600+15,316+30]);
add_line(sys,'1f/1','2sum/1');
add_line(sys,'3e/1','1t/1');
add_line(sys,'2sum/1','3q/1');
add_line(sys,'3e/1','4sum/1');
add_line(sys,'5f/1','2sum/2');
add_line(sys,'4sum/1','5f/1');
add_line(sys,'5f/1','6sum/1');
add_line(sys,'7e/1','4sum/2');
add_line(sys,'6sum/1','7q/1');
add_line(sys,'7e/1','8f/1');
add_line(sys,'8f/1','6sum/2');
add_line(sys,'7e/1','9e/1');
add_line(sys,'9f/1','6sum/3');
add_line(sys,'9e/1','11scope/1');
set_param(sys,'StopTime','10');
open_system(sys);
